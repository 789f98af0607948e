#pragma once

#include <QString>

// Where the user's documents live.
class IFolders
{
public:
    virtual ~IFolders() = default;
    // The documents folder, created when missing; empty when there is none.
    [[nodiscard]] virtual QString documentsFolder() = 0;
};

class StandardFolders final : public IFolders
{
public:
    [[nodiscard]] QString documentsFolder() override;
};
