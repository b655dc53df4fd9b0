/*
 *      The browser platform's file services, over emscripten's in-memory
 *      file system. No directory listing.
 */
#include <errno.h>
#include <sys/stat.h>

#include "allegro.h"
#include "allegro/internal/aintern.h"

int _al_file_isok(AL_CONST char *filename)
{
   (void)filename;
   return TRUE;
}

/* stat() of a file name in Allegro's encoding; 0 if it worked. */
static int consultar(AL_CONST char *nome, struct stat *s)
{
   char tmp[1024];

   if (stat(uconvert(nome, U_CURRENT, tmp, U_UTF8, sizeof(tmp)), s) != 0) {
      *allegro_errno = errno;
      return -1;
   }
   return 0;
}

uint64_t _al_file_size_ex(AL_CONST char *filename)
{
   struct stat s;
   return consultar(filename, &s) == 0 ? (uint64_t)s.st_size : 0;
}

time_t _al_file_time(AL_CONST char *filename)
{
   struct stat s;
   return consultar(filename, &s) == 0 ? s.st_mtime : 0;
}

void _al_getdcwd(int drive, char *buf, int size)
{
   (void)drive;
   do_uconvert("/", U_ASCII, buf, U_CURRENT, size);
}

int al_findfirst(AL_CONST char *pattern, struct al_ffblk *info, int attrib)
{
   (void)pattern; (void)info; (void)attrib;
   *allegro_errno = ENOENT;
   return -1;
}

int al_findnext(struct al_ffblk *info)
{
   (void)info;
   *allegro_errno = ENOENT;
   return -1;
}

void al_findclose(struct al_ffblk *info)
{
   (void)info;
}

void _al_detect_filename_encoding(void)
{
}
