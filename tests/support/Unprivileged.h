#pragma once

#include <functional>
#include <string>

// Runs `action` without the superuser's power to ignore file permissions, so
// that tests about unreadable files mean the same under root as for a user.
// As root: hands `folder` and everything below it to an unprivileged user and
// runs the action in a child process as that user. Otherwise runs it here.
// True when the action ran to its end.
bool RunUnprivileged(const std::string& folder, const std::function<void()>& action);
