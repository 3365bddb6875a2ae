// The private-profile (INI) service the settings are read from and written
// to. The program uses the platform's own functions; native tests use
// IniProfile, which behaves the same on every case the settings rely on.
#pragma once

// Room for one value read from the settings file.
constexpr int kValueBufferSize = 512;

class ProfileStore {
  public:
    virtual ~ProfileStore() = default;

    // Copies the value of `key` in `section` into buffer, or defaultValue
    // when the key, its section or the file is missing, cut to size - 1
    // characters and terminated. A key present with an empty value is not
    // missing. Sections and keys match without regard to case; blanks around
    // the value are not part of it, and one pair of matching quotes around
    // it is dropped. Returns the number of characters copied.
    virtual int getString(const char* section, const char* key, const char* defaultValue,
                          char* buffer, int size) = 0;

    // Creates or replaces the key, creating the file and the section when
    // needed. Failures are not reported, as the platform's service does not
    // report them to the settings either.
    virtual void writeString(const char* section, const char* key, const char* value) = 0;
};
