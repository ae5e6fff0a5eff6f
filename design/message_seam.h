// How the core hands a message to whoever shows it: the windows pass their
// message box, tests answer it themselves.
#pragma once

#include <functional>
#include <string>

namespace design {

// Shows a modal message and returns when the user has closed it.
using MessageSeam = std::function<void(const std::string& message)>;

}  // namespace design
