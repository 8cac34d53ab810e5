// Runtime library: exceptions, number and date formatting, string and file helpers.
#pragma once

#include <stdexcept>
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

}  // namespace vcl
