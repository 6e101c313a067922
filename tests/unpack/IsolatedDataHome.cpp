#include "IsolatedDataHome.h"

IsolatedDataHome::IsolatedDataHome() : dataHome_("XDG_DATA_HOME", temp_ / "data") {}
