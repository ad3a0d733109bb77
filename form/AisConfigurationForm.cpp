// Compiles the generated form once with the library, so a broken .ui fails here and not in
// every user of it.
#include "ui_AisConfiguration.h"
