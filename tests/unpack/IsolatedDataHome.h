#pragma once

#include <string>

#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

// A temporary folder that is also the per-user data folder ($XDG_DATA_HOME =
// <temp>/data) while the object lives, so work folders and scripts of a test
// land where the test can see all of them and nowhere else.
class IsolatedDataHome {
  public:
    IsolatedDataHome();

    const TempFolder& temp() const { return temp_; }
    std::string operator/(const std::string& name) const { return temp_ / name; }
    std::string DataFolder() const { return temp_ / "data"; }
    std::string Tindlework() const { return DataFolder() + "/Tindlework"; }

  private:
    TempFolder temp_;
    ScopedEnvironment dataHome_;
};
