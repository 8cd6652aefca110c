#include "engine/logs/ErrorStack.h"

#include <exception>

String& getErrorCallStack()
{
    // Created on first use and never destroyed, so a failure during static destruction can
    // still be reported.
    static String* s_stack = new String;
    return *s_stack;
}

void rethrowWithSignature(const char* _signature)
{
    String& stack = getErrorCallStack();
    try {
        throw;
    } catch (const String& _text) {
        stack = _text + "\n" + _signature;
    } catch (const char* _text) {
        stack = String(_text ? _text : "") + "\n" + _signature;
    } catch (const std::exception& _error) {
        stack = String(_error.what()) + "\n" + _signature;
    } catch (...) {
        stack += "\n";
        stack += _signature;
    }
    throw String(stack);
}

void rethrowWithFile(const String& _path)
{
    const String line = "while reading \"" + _path + "\"";
    rethrowWithSignature(line.c_str());
}

void throwErrorText(const String& _text)
{
    getErrorCallStack() = _text;
    throw String(_text);
}
