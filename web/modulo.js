// Appended to each program's module, the game's and the editor's: the page
// stops a program it replaces or whose code trapped, and a program asleep
// in rest() never wakes again.
Module['parar'] = function() { ABORT = true; };
