#include "menus/GameMenu.h"
