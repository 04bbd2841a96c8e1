// The parts of this window that the subsystems below it are built on: the players, the
// script and the outputs the window keeps for them.
#pragma once

#include "app/Commands.h"
#include "app/Lifecycle.h"
#include "script/EditCommands.h"
#include "script/Interprete.h"
#include "show/ShowMode.h"
#include "show/WebRemote.h"

class Form1;

EditParts MakeEditParts(Form1& form);
InterpreteParts MakeInterpreteParts(Form1& form);
// Builds the window's cue lookup on its subsystems as they are now and gives it the editor's
// events.
void BuildCueLookup(Form1& form);
ShowModeParts MakeShowModeParts(Form1& form);
WebRemoteParts MakeWebRemoteParts(Form1& form);
LifecycleParts MakeLifecycleParts(Form1& form);
ShellParts MakeShellParts(Form1& form);
