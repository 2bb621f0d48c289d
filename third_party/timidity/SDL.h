/* Stands in for the few SDL facilities the TiMidity synthesizer uses, so it
   builds without SDL: fixed-size integers, memory and string calls, byte
   order, and RWops-style reading through caller-supplied callbacks. */
#ifndef DECK_SDL_STAND_IN_H
#define DECK_SDL_STAND_IN_H

#include <math.h>
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef int8_t Sint8;
typedef uint8_t Uint8;
typedef int16_t Sint16;
typedef uint16_t Uint16;
typedef int32_t Sint32;
typedef uint32_t Uint32;
typedef int64_t Sint64;
typedef uint64_t Uint64;
typedef enum { SDL_FALSE = 0, SDL_TRUE = 1 } SDL_bool;

#define SDL_INLINE inline
#define SDL_VERSION_ATLEAST(x, y, z) 1

/* Windows runs only on little-endian processors. */
#define SDL_LIL_ENDIAN 1234
#define SDL_BIG_ENDIAN 4321
#define SDL_BYTEORDER SDL_LIL_ENDIAN

static inline Uint16 SDL_Swap16(Uint16 x) { return (Uint16)((x << 8) | (x >> 8)); }
static inline Uint32 SDL_Swap32(Uint32 x) {
  return (x << 24) | ((x << 8) & 0x00FF0000u) | ((x >> 8) & 0x0000FF00u) | (x >> 24);
}
#define SDL_SwapLE16(x) (x)
#define SDL_SwapLE32(x) (x)
#define SDL_SwapBE16(x) SDL_Swap16(x)
#define SDL_SwapBE32(x) SDL_Swap32(x)

#define SDL_malloc malloc
#define SDL_calloc calloc
#define SDL_free free
#define SDL_memcmp memcmp
#define SDL_memcpy memcpy
#define SDL_memset memset
#define SDL_strcmp strcmp
#define SDL_strlen strlen
#define SDL_strchr strchr
#define SDL_strrchr strrchr
#define SDL_atoi atoi
#define SDL_snprintf snprintf
#define SDL_sin sin
size_t SDL_strlcpy(char* dst, const char* src, size_t size);
char* SDL_strtokr(char* s, const char* delimiters, char** next);

/* The synthesizer's errors reach its caller as its return values; the texts are dropped. */
#define SDL_SetError(...) ((void)0)
#define SDL_Log(...) ((void)0)

/* A byte source: a file (SDL_RWFromFile) or the caller's own callbacks. */
#define RW_SEEK_SET 0
#define RW_SEEK_CUR 1
#define RW_SEEK_END 2
typedef struct SDL_RWops {
  size_t (*read)(struct SDL_RWops* rw, void* buffer, size_t size, size_t count); /* whole objects read */
  Sint64 (*seek)(struct SDL_RWops* rw, Sint64 offset, int whence);               /* new position, -1 on failure */
  int (*close)(struct SDL_RWops* rw);
  void* data;
} SDL_RWops;

SDL_RWops* SDL_RWFromFile(const char* path, const char* mode);
#define SDL_RWread(rw, buffer, size, count) ((rw)->read((rw), (buffer), (size), (count)))
#define SDL_RWseek(rw, offset, whence) ((rw)->seek((rw), (offset), (whence)))
#define SDL_RWtell(rw) ((rw)->seek((rw), 0, RW_SEEK_CUR))
#define SDL_RWclose(rw) ((rw)->close(rw))

/* The output formats the synthesizer writes. */
#define AUDIO_U8 0x0008
#define AUDIO_S8 0x8008
#define AUDIO_U16LSB 0x0010
#define AUDIO_S16LSB 0x8010
#define AUDIO_U16MSB 0x1010
#define AUDIO_S16MSB 0x9010
#define AUDIO_S32LSB 0x8020
#define AUDIO_S32MSB 0x9020
#define AUDIO_F32LSB 0x8120
#define AUDIO_F32SYS AUDIO_F32LSB
typedef struct {
  int freq;
  Uint16 format;
  Uint8 channels;
  Uint16 samples; /* frames the synthesizer renders per block */
} SDL_AudioSpec;

#ifdef __cplusplus
}
#endif
#endif
