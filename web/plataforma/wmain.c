/*
 *      The browser platform's entry: the program's own main, renamed by
 *      END_OF_MAIN, and its value passed to exit(), so that the page
 *      learns the status even after the program has slept.
 */
#include <stdlib.h>

/* No allegro.h here: it renames main. */

extern int _web_main(int argc, char **argv);

int main(int argc, char **argv)
{
   exit(_web_main(argc, argv));
}
