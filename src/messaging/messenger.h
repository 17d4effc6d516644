// Starting the system's messenger command for one message.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

#include "messaging/message_dispatch.h"

namespace messaging {

class LaunchError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The Windows directory as the system reports it, whatever its length.
std::string WindowsDirectory();

// Starts the messenger hidden and does not wait for it; throws LaunchError when it cannot start,
// or when the message is too long for its command line.
void LaunchMessenger(HWND owner, const SendPlan& plan);

}  // namespace messaging
