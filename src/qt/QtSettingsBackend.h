#pragma once

#include <QString>

#include "settings/SettingsBackend.h"

namespace textmend {

// The settings in an INI file, by default $XDG_CONFIG_HOME/Textmend/Textmend.ini
// (.config in the user's home when XDG_CONFIG_HOME is unset). Every root is the
// same user store.
class QtSettingsBackend : public SettingsBackend {
  public:
    QtSettingsBackend();
    explicit QtSettingsBackend(QString filePath) : filePath_(std::move(filePath)) {}

    std::string ReadValue(std::uint32_t root, const std::string& keyPath,
                          const std::string& valueName) override;
    void WriteValue(std::uint32_t root, const std::string& keyPath, const std::string& valueName,
                    const std::string& text) override;

    const QString& FilePath() const { return filePath_; }

  private:
    QString filePath_;
};

// The INI file the program keeps its settings in.
QString DefaultSettingsFile();

}  // namespace textmend
