#include "results/StoreUrl.h"

#include <wx/intl.h>
#include <wx/string.h>

#include <cctype>

namespace
{
const char kSqliteScheme[] = "sqlite:";
const char* const kPostgreSqlSchemes[] = {"postgresql://", "postgres://"};

// The messages are kept as UTF-8, like every text of the results; %s is
// the store's address.
std::string message(const wxString& text, const std::string& url)
{
    return wxString::Format(text, wxString::FromUTF8(url.c_str())).utf8_string();
}

bool startsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool percentDecode(const std::string& text, std::string* decoded)
{
    decoded->clear();
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] != '%')
        {
            *decoded += text[i];
            continue;
        }
        if (i + 2 >= text.size() || !std::isxdigit((unsigned char)text[i + 1]) ||
            !std::isxdigit((unsigned char)text[i + 2]))
            return false;
        *decoded += char(std::stoi(text.substr(i + 1, 2), nullptr, 16));
        i += 2;
    }
    return true;
}

// libpq's quoting of a keyword value: 'it\'s'.
std::string quoted(const std::string& value)
{
    std::string text = "'";
    for (char c : value)
    {
        if (c == '\'' || c == '\\')
            text += '\\';
        text += c;
    }
    return text + "'";
}
} // namespace

bool CStoreUrl::parse(const std::string& url, CStoreUrl* parsed, std::string* error)
{
    *parsed = CStoreUrl();
    if (startsWith(url, kSqliteScheme))
    {
        parsed->m_kind = eSqlite;
        parsed->m_path = url.substr(sizeof kSqliteScheme - 1);
        if (parsed->m_path.empty())
        {
            *error = message(_("The results store \"%s\" names no file: write sqlite:PATH."), url);
            return false;
        }
        // SOCI's SQLite connection string quotes the path in double quotes.
        if (parsed->m_path.find('"') != std::string::npos)
        {
            *error =
                message(_("The results store \"%s\" cannot be used: its path holds a double quote."), url);
            return false;
        }
        return true;
    }
    for (const char* scheme : kPostgreSqlSchemes)
    {
        if (!startsWith(url, scheme))
            continue;
        parsed->m_kind = ePostgreSql;
        std::string rest = url.substr(std::string(scheme).size());
        const size_t slash = rest.find('/');
        std::string authority = rest.substr(0, slash);
        const std::string database = slash == std::string::npos ? std::string() : rest.substr(slash + 1);
        std::string user;
        const size_t at = authority.rfind('@');
        if (at != std::string::npos)
        {
            user = authority.substr(0, at);
            authority = authority.substr(at + 1);
        }
        std::string password;
        const size_t colon = user.find(':');
        if (colon != std::string::npos)
        {
            password = user.substr(colon + 1);
            user = user.substr(0, colon);
        }
        const size_t portColon = authority.rfind(':');
        if (portColon != std::string::npos && authority.find(']', portColon) == std::string::npos)
        {
            parsed->m_port = authority.substr(portColon + 1);
            authority = authority.substr(0, portColon);
        }
        if (authority.size() > 1 && authority.front() == '[' && authority.back() == ']')
            authority = authority.substr(1, authority.size() - 2);
        parsed->m_host = authority;
        const bool portIsNumber = parsed->m_port.find_first_not_of("0123456789") == std::string::npos;
        if (!portIsNumber || !percentDecode(user, &parsed->m_user) ||
            !percentDecode(password, &parsed->m_password) || !percentDecode(database, &parsed->m_database))
        {
            // Named as written, less the password.
            const std::string shown = std::string("postgresql://") + (user.empty() ? "" : user + "@") +
                                      parsed->m_host + (parsed->m_port.empty() ? "" : ":" + parsed->m_port) + "/" +
                                      database;
            *error = message(_("The results store \"%s\" is not a PostgreSQL URL: write "
                               "postgresql://user@host:port/dbname."),
                             shown);
            return false;
        }
        return true;
    }
    *error = message(_("The results store \"%s\" is not understood: write sqlite:PATH or "
                       "postgresql://user@host:port/dbname."),
                     url);
    return false;
}

std::string CStoreUrl::forSqliteFile(const std::string& path)
{
    return kSqliteScheme + path;
}

std::string CStoreUrl::connectionString() const
{
    if (m_kind == eSqlite)
        return "db=\"" + m_path + "\"";
    // A server that does not answer is given up on after 5 s, so that the
    // attempt goes to the outbox while the taker waits at most that long.
    std::string text = "connect_timeout=5";
    const std::pair<const char*, const std::string*> keywords[] = {
        {"host", &m_host}, {"port", &m_port}, {"user", &m_user}, {"password", &m_password}, {"dbname", &m_database}};
    for (const auto& keyword : keywords)
        if (!keyword.second->empty())
            text += std::string(" ") + keyword.first + "=" + quoted(*keyword.second);
    return text;
}

std::string CStoreUrl::display() const
{
    if (m_kind == eSqlite)
        return m_path;
    std::string text = "postgresql://";
    if (!m_user.empty())
        text += m_user + "@";
    text += m_host;
    if (!m_port.empty())
        text += ":" + m_port;
    return text + "/" + m_database;
}
