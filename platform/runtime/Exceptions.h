// Exceptions: the root class Exception and the framework's error classes derived from it.
#pragma once

#include <exception>
#include <string>

namespace vcl {

// Root of every error the framework and the components raise. The message is UTF-8.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const noexcept { return message_; }
    void SetMessage(std::string message) { message_ = std::move(message); }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

#define VCL_DECLARE_EXCEPTION(Name, Base) \
    class Name : public Base {            \
    public:                               \
        using Base::Base;                 \
    };

VCL_DECLARE_EXCEPTION(EConvertError, Exception)
VCL_DECLARE_EXCEPTION(EInOutError, Exception)
VCL_DECLARE_EXCEPTION(EInvalidGraphic, Exception)
VCL_DECLARE_EXCEPTION(EOutOfResources, Exception)
VCL_DECLARE_EXCEPTION(EResNotFound, Exception)
VCL_DECLARE_EXCEPTION(EListError, Exception)
VCL_DECLARE_EXCEPTION(EReadError, Exception)
VCL_DECLARE_EXCEPTION(EWriteError, Exception)
VCL_DECLARE_EXCEPTION(EInvalidOperation, Exception)
VCL_DECLARE_EXCEPTION(EInvalidGridOperation, Exception)
VCL_DECLARE_EXCEPTION(EComponentError, Exception)
VCL_DECLARE_EXCEPTION(EClassNotFound, Exception)
VCL_DECLARE_EXCEPTION(EPropertyError, Exception)

// Floating-point errors of the runtime (Round/Trunc out of range, division by zero).
VCL_DECLARE_EXCEPTION(EMathError, Exception)
VCL_DECLARE_EXCEPTION(EInvalidOp, EMathError)
VCL_DECLARE_EXCEPTION(EZeroDivide, EMathError)
VCL_DECLARE_EXCEPTION(EOverflow, EMathError)

}  // namespace vcl
