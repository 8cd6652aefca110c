#pragma once
#include <cstdlib>
#include <optional>
#include <string>

// Sets (or, with nullopt, removes) an environment variable for one test and puts it back.
class cEnvironmentVariable {
public:
    cEnvironmentVariable(const char* _name, std::optional<std::string> _value) : m_name(_name)
    {
        if (const char* old = std::getenv(_name))
            m_old = old;
        if (_value)
            setenv(_name, _value->c_str(), 1);
        else
            unsetenv(_name);
    }
    ~cEnvironmentVariable()
    {
        if (m_old)
            setenv(m_name.c_str(), m_old->c_str(), 1);
        else
            unsetenv(m_name.c_str());
    }
    cEnvironmentVariable(const cEnvironmentVariable&) = delete;
    cEnvironmentVariable& operator=(const cEnvironmentVariable&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_old;
};
