// The one instance of the module drawing state.
#include "drawing/drawstate.h"

DrawState& Drawing() {
    static DrawState state;
    return state;
}
