#include "launcher/Form1.h"
