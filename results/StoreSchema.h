#pragma once

#include <string>

namespace soci
{
class session;
}

/// The tables of a results store and the migrations that bring an older
/// store up to date, each in one transaction. The version table holds the
/// version a store was last brought to.
class CStoreSchema
{
public:
    /// The version this program writes.
    static const int kVersion;

    /// Creates or upgrades the tables. Throws soci::soci_error when the
    /// store fails; returns false, with the reason, for a store this program
    /// must not touch (of a newer version, or another program's SQLite file).
    static bool upgrade(soci::session& sql, bool postgreSql, std::string* reason);

    /// Whether an SQLite file has tables but no version table of ours: it
    /// belongs to another program and is left alone.
    static bool isAnotherProgramsSqlite(soci::session& sql);

private:
    static int storedVersion(soci::session& sql);
};
