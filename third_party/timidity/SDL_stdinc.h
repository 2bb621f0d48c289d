/* utils.h of the synthesizer's home tree includes this name. */
#include "SDL.h"
