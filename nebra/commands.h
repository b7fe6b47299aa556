// The 19 GTP commands of Nebra and their handlers.
#pragma once

#include "gtp.h"

namespace nebra {

extern const gtp_command commands[];  // in list_commands order, ended by a null name

}  // namespace nebra
