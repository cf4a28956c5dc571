#pragma once
// The errors the platform raises. Messages are Windows-1250 text, shown as they stand in
// the application's error box.
#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// "Failed to set data for '%s'" and the other registry failures.
class ERegistryException : public Exception {
    using Exception::Exception;
};
// "Cannot open file %s".
class EFOpenError : public Exception {
    using Exception::Exception;
};
// "Cannot create file %s".
class EFCreateError : public Exception {
    using Exception::Exception;
};
// "'%s' is not a valid integer value".
class EConvertError : public Exception {
    using Exception::Exception;
};
// "List index out of bounds (%d)".
class EStringListError : public Exception {
    using Exception::Exception;
};
// "Unable to Replace Image" and other misuse of a component.
class EInvalidOperation : public Exception {
    using Exception::Exception;
};
