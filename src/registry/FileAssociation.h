// Associating script files (".snx") with the program on the desktop.
#pragma once

// Comes with system registration; until then it does nothing.
inline void RegistraTipoFile() {}
