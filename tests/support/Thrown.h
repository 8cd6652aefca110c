#pragma once
#include <functional>
#include <string>

// The error text a call threw (the engine's String or a plain C string), cut to its first
// line when _firstLine; "no error" when the call returned.
inline std::string thrownText(const std::function<void()>& _call, bool _firstLine = false)
{
    std::string text = "no error";
    try {
        _call();
    } catch (const std::string& _error) {
        text = _error;
    } catch (const char* _error) {
        text = _error;
    }
    return _firstLine ? text.substr(0, text.find('\n')) : text;
}
