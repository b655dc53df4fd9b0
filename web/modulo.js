// Appended to the game's module: the page stops a game it replaces, and a
// program asleep in rest() never wakes again.
Module['parar'] = function() { ABORT = true; };
