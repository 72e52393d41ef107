#pragma once

#include "results/Attempt.h"
#include "results/EvalonResultsExport.h"

#include <optional>
#include <string>
#include <vector>

/// Attempts as CSV (RFC 4180, UTF-8, CRLF line ends) for a spreadsheet: a
/// header, then one row per attempt and question. Positions count from 1, as
/// the taker saw them; answers are the indexes from 0, separated by spaces,
/// as `evalon --record` takes them. With a pass mark, the last column says
/// whether the attempt passed ("yes" or "no"); without one it is empty.
class EVALON_RESULTS_EXPORT CResultsCsv
{
public:
    /// The header row's columns.
    static const char kHeader[];

    /// The whole text.
    static std::string format(const std::vector<CAttempt>& attempts,
                              const std::optional<unsigned>& passMark = std::nullopt);
    /// Writes format() to `path` through a temporary file renamed into place,
    /// so that an existing file is never left half-written. False, with the
    /// reason naming the file, when it cannot be written.
    static bool write(const std::vector<CAttempt>& attempts, const std::string& path, std::string* error,
                      const std::optional<unsigned>& passMark = std::nullopt);

    /// A field quoted when it holds a comma, a quote or a line break.
    static std::string field(const std::string& text);
};
