#include "tree/Object.h"
// implemented with the archive
