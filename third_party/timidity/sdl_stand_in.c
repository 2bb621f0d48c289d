/* The functions behind SDL.h's stand-ins: string helpers and file reading. */
#include "SDL.h"

size_t SDL_strlcpy(char* dst, const char* src, size_t size) {
  const size_t length = strlen(src);
  if (size > 0) {
    const size_t n = length < size - 1 ? length : size - 1;
    memcpy(dst, src, n);
    dst[n] = '\0';
  }
  return length;
}

char* SDL_strtokr(char* s, const char* delimiters, char** next) {
  if (!delimiters || !next) return NULL;
  if (!s) s = *next;
  if (!s) return NULL;
  s += strspn(s, delimiters);
  if (!*s) {
    *next = s;
    return NULL;
  }
  char* end = s + strcspn(s, delimiters);
  if (*end) *end++ = '\0';
  *next = end;
  return s;
}

static size_t FileRead(SDL_RWops* rw, void* buffer, size_t size, size_t count) {
  return size && count ? fread(buffer, size, count, (FILE*)rw->data) : 0;
}

static Sint64 FileSeek(SDL_RWops* rw, Sint64 offset, int whence) {
  static const int origin[] = {SEEK_SET, SEEK_CUR, SEEK_END};
  FILE* file = (FILE*)rw->data;
  if (whence < 0 || whence > 2 || fseek(file, (long)offset, origin[whence]) != 0) return -1;
  return ftell(file);
}

static int FileClose(SDL_RWops* rw) {
  const int result = fclose((FILE*)rw->data);
  free(rw);
  return result;
}

/* fopen takes the path in the ANSI code page, as the program's own paths are. */
SDL_RWops* SDL_RWFromFile(const char* path, const char* mode) {
  FILE* file = fopen(path, mode);
  if (!file) return NULL;
  SDL_RWops* rw = (SDL_RWops*)calloc(1, sizeof *rw);
  if (!rw) {
    fclose(file);
    return NULL;
  }
  rw->read = FileRead;
  rw->seek = FileSeek;
  rw->close = FileClose;
  rw->data = file;
  return rw;
}
