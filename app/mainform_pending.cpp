// Handlers whose real definitions come with the options dialog.
#include "app/mainform.h"
