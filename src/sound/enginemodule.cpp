#include "enginemodule.h"

#include "gstplayer.h"

extern "C" Q_DECL_EXPORT Player *somnivox_create_player() {
    return new GstPlayer;
}
