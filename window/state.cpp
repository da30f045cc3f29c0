#include <windows.h>

#include "window/state.h"

MagnifierState magnifier;
Session session;
