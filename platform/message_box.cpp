// Message boxes over the game window.
#include "platform/message_box.h"

#include "platform/dialog.h"

int ErrorBox(const char* caption, const char* text) {
    OkBox(caption, text);
    return 1;
}
