#include "script/EditCommands.h"

#include "ui/Form1.h"

void EditCommands::RTB_Change() {
    form_.Modificato = 1;
}
