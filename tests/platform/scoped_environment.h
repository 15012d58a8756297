// Sets (or, given nullptr, clears) an environment variable for the length of
// a scope, and puts the old value back afterwards.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        set(value);
    }
    ~ScopedEnvironment() { set(old_ ? old_->c_str() : nullptr); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    void set(const char* value) { value ? setenv(name_, value, 1) : unsetenv(name_); }
    const char* name_;
    std::optional<std::string> old_;
};
