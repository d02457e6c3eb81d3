#include "tree/Archive.h"
