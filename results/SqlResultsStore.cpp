#include "results/SqlResultsStore.h"

#include "results/StoreSchema.h"

#include <soci/postgresql/soci-postgresql.h>
#include <soci/soci.h>
#include <soci/sqlite3/soci-sqlite3.h>

#include <wx/intl.h>
#include <wx/string.h>

#include <algorithm>
#include <map>
#include <unordered_map>

namespace
{
// The messages are kept as UTF-8, like every text of the results.
std::string utf8(const wxString& text)
{
    return text.utf8_string();
}

wxString fromUtf8(const std::string& text)
{
    return wxString::FromUTF8(text.c_str());
}

const char kInProgress[] = "in progress";
const char kSubmitted[] = "submitted";
// Rows fetched per round trip when reading many attempts.
const size_t kFetchRows = 2000;

// PostgreSQL's text holds no NUL, so NUL and the escape character are
// escaped alike in both stores; any other text is stored as it is.
const char kEscape = '\x1b';

std::string encodeText(const std::string& text)
{
    if (text.find('\0') == std::string::npos && text.find(kEscape) == std::string::npos)
        return text;
    std::string encoded;
    for (char c : text)
    {
        if (c == '\0')
            encoded += {kEscape, '0'};
        else if (c == kEscape)
            encoded += {kEscape, kEscape};
        else
            encoded += c;
    }
    return encoded;
}

std::string decodeText(std::string text)
{
    if (text.find(kEscape) == std::string::npos)
        return text;
    std::string decoded;
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] == kEscape && i + 1 < text.size())
            decoded += text[++i] == '0' ? '\0' : text[i];
        else
            decoded += text[i];
    }
    return decoded;
}

std::string joinIndexes(const std::vector<unsigned>& indexes)
{
    std::string text;
    for (unsigned index : indexes)
        text += (text.empty() ? "" : ",") + std::to_string(index);
    return text;
}

// "1,3" as written by joinIndexes(); read for every row of a large report,
// so without streams.
std::vector<unsigned> splitIndexes(const std::string& text)
{
    std::vector<unsigned> indexes;
    unsigned value = 0;
    bool inNumber = false;
    for (char c : text)
    {
        if (c >= '0' && c <= '9')
        {
            value = value * 10 + unsigned(c - '0');
            inNumber = true;
        }
        else if (inNumber)
        {
            indexes.push_back(value);
            value = 0;
            inNumber = false;
        }
    }
    if (inNumber)
        indexes.push_back(value);
    return indexes;
}

// Every question's right or wrong and its answers, in position order:
// "R0;W1,2;W" (R right, W wrong, then the chosen indexes).
std::string packAnswers(const CAttempt& attempt)
{
    std::string text;
    for (const SQuestionResult& question : attempt.m_questions)
        text += (&question == &attempt.m_questions.front() ? "" : ";") +
                std::string(question.m_right ? "R" : "W") + joinIndexes(question.m_chosen);
    return text;
}

// The questions packAnswers() wrote; false when `text` is not such a text
// for `count` questions.
bool unpackAnswers(const std::string& text, size_t count, std::vector<SQuestionResult>* questions)
{
    questions->clear();
    size_t start = 0;
    while (count > 0 && start <= text.size())
    {
        const size_t end = std::min(text.find(';', start), text.size());
        if (end == start || (text[start] != 'R' && text[start] != 'W'))
            return false;
        SQuestionResult question;
        question.m_position = unsigned(questions->size());
        question.m_right = text[start] == 'R';
        question.m_chosen = splitIndexes(text.substr(start + 1, end - start - 1));
        questions->push_back(std::move(question));
        start = end + 1;
    }
    return questions->size() == count;
}

// What a store holds in the answers column for an attempt stored before
// the column was there.
const char kNoPackedAnswers[] = "-";

// The WHERE clause of a filter over the attempts table `a`; the values are
// bound in the same order by bindFilter().
std::string whereClause(const CResultsStore::SFilter& filter)
{
    std::string clause = " WHERE 1 = 1";
    if (!filter.m_attemptId.empty())
        clause += " AND a.id = :id";
    if (!filter.m_assessmentFingerprint.empty())
        clause += " AND a.assessment_fingerprint = :fingerprint";
    if (!filter.m_assessmentFile.empty())
        clause += " AND a.assessment_file = :file";
    if (!filter.m_taker.empty())
        clause += " AND a.taker = :taker";
    if (filter.m_submittedOnly)
        clause += " AND a.status = 'submitted'";
    return clause;
}

struct SBoundFilter
{
    std::string id, fingerprint, file, taker;
};

void bindFilter(soci::statement& statement, const CResultsStore::SFilter& filter, SBoundFilter& values)
{
    values.id = filter.m_attemptId;
    values.fingerprint = filter.m_assessmentFingerprint;
    values.file = encodeText(filter.m_assessmentFile);
    values.taker = encodeText(filter.m_taker);
    if (!values.id.empty())
        statement.exchange(soci::use(values.id));
    if (!values.fingerprint.empty())
        statement.exchange(soci::use(values.fingerprint));
    if (!values.file.empty())
        statement.exchange(soci::use(values.file));
    if (!values.taker.empty())
        statement.exchange(soci::use(values.taker));
}
} // namespace

CSqlResultsStore::CSqlResultsStore() = default;
CSqlResultsStore::~CSqlResultsStore() = default;

bool CSqlResultsStore::open(const CStoreUrl& url, std::string* error)
{
    m_url = url;
    try
    {
        const soci::backend_factory& backend =
            isPostgreSql() ? static_cast<const soci::backend_factory&>(soci::postgresql) : soci::sqlite3;
        m_session = std::make_unique<soci::session>(backend, m_url.connectionString());
        std::string reason;
        // The server's notices ("already exists, skipping") are not for the taker.
        if (isPostgreSql())
            *m_session << "SET client_min_messages TO WARNING";
        if ((isPostgreSql() || configureSqlite(&reason)) && CStoreSchema::upgrade(*m_session, isPostgreSql(), &reason))
            return true;
        *error = utf8(
            // TRANSLATORS: %s are the store's address and the reason it cannot be used.
            wxString::Format(_("The results store %s cannot be used: %s."), shownUrl(), fromUtf8(reason)));
        m_session.reset();
        return false;
    }
    catch (const std::exception& e)
    {
        *error =
            // TRANSLATORS: %s are the store's address and the reason it cannot be opened.
            utf8(wxString::Format(_("The results store %s cannot be opened: %s."), shownUrl(), reasonOf(e)));
        m_session.reset();
        return false;
    }
}

bool CSqlResultsStore::configureSqlite(std::string* reason)
{
    // A damaged file is refused at once, not at the first read of its
    // damaged part; nothing is written to it before.
    std::string check;
    *m_session << "PRAGMA quick_check(1)", soci::into(check);
    if (check != "ok")
        throw soci::soci_error(utf8(wxString::Format(_("its file is damaged (%s)"), fromUtf8(check))));
    if (CStoreSchema::isAnotherProgramsSqlite(*m_session))
    {
        *reason = utf8(_("it is a database of another program (it has no evalon_schema table)"));
        return false;
    }
    // WAL with FULL synchronisation: a committed attempt survives a power
    // loss, and a reader never blocks the taker's writes.
    std::string mode;
    *m_session << "PRAGMA journal_mode = WAL", soci::into(mode);
    if (mode != "wal")
        throw soci::soci_error(utf8(
            wxString::Format(_("its journal cannot be switched to WAL (it stays \"%s\")"), fromUtf8(mode))));
    *m_session << "PRAGMA synchronous = FULL";
    *m_session << "PRAGMA foreign_keys = ON";
    // Another program reading the file (a report) makes a write wait, not fail.
    *m_session << "PRAGMA busy_timeout = 5000";
    // A report reads every row of a class's attempts: the file mapped into
    // memory saves a copy of each page per read.
    *m_session << "PRAGMA mmap_size = 268435456";
    *m_session << "PRAGMA temp_store = MEMORY";
    return true;
}

std::string CSqlResultsStore::describe() const
{
    return utf8(wxString::Format(_("the results store %s"), shownUrl()));
}

wxString CSqlResultsStore::shownUrl() const
{
    return fromUtf8(m_url.display());
}

wxString CSqlResultsStore::reasonOf(const std::exception& reason)
{
    std::string text = reason.what();
    if (const auto* soci = dynamic_cast<const soci::soci_error*>(&reason))
        text = soci->get_error_message();
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    if (text.empty())
        return _("it gave no reason (the connection may have been lost)");
    return fromUtf8(text);
}

bool CSqlResultsStore::saveAttempt(const CAttempt& attempt, std::string* error)
{
    if (!m_session)
    {
        *error = utf8(wxString::Format(_("The results store %s is not open."), shownUrl()));
        return false;
    }
    try
    {
        soci::transaction transaction(*m_session);
        int revision = 0;
        std::string status;
        // On PostgreSQL the row stays locked until the commit: two machines
        // sending the same attempt take turns.
        *m_session << std::string("SELECT revision, status FROM attempts WHERE id = :id") +
                          (isPostgreSql() ? " FOR UPDATE" : ""),
            soci::into(revision), soci::into(status), soci::use(attempt.m_id);
        const bool exists = m_session->got_data();
        if (exists && (status == kSubmitted || unsigned(revision) >= attempt.m_revision))
            return true; // the store has this attempt already, as recent or final
        writeAttempt(attempt, exists);
        transaction.commit();
        return true;
    }
    catch (const std::exception& e)
    {
        // TRANSLATORS: %s are the store's address, the taker's name and the reason.
        *error = utf8(wxString::Format(_("The results store %s cannot store the attempt of %s: %s."),
                                       shownUrl(), fromUtf8(attempt.m_taker), reasonOf(e)));
        return false;
    }
}

void CSqlResultsStore::writeAttempt(const CAttempt& attempt, bool exists)
{
    soci::session& sql = *m_session;
    const std::string file = encodeText(attempt.m_assessmentFile);
    const std::string taker = encodeText(attempt.m_taker);
    const std::string machine = encodeText(attempt.m_machine);
    const std::string status = attempt.m_status == CAttempt::eSubmitted ? kSubmitted : kInProgress;
    const int page = int(attempt.m_currentPage), revision = int(attempt.m_revision);
    const int score = int(attempt.m_score), toReview = int(attempt.m_numToReview);
    const int count = int(attempt.m_questions.size());
    const std::string packed = packAnswers(attempt);
    // The questions already stored, by position, with their answers: a page
    // change rewrites only the rows whose answers changed.
    std::map<int, std::string> storedChoices;
    if (exists)
    {
        sql << "UPDATE attempts SET saved_at = :saved, submitted_at = :submitted, status = :status,"
               " current_page = :page, revision = :revision, score = :score, to_review = :review,"
               " answers = :answers WHERE id = :id",
            soci::use(attempt.m_savedAt), soci::use(attempt.m_submittedAt), soci::use(status), soci::use(page),
            soci::use(revision), soci::use(score), soci::use(toReview), soci::use(packed), soci::use(attempt.m_id);
        std::vector<int> positions(1000);
        std::vector<std::string> choices(positions.size());
        soci::statement read = (sql.prepare << "SELECT position, chosen FROM attempt_questions WHERE attempt_id = :id",
                                soci::into(positions), soci::into(choices), soci::use(attempt.m_id));
        if (read.execute(true))
        {
            do
            {
                for (size_t i = 0; i < positions.size(); ++i)
                    storedChoices[positions[i]] = choices[i];
                positions.resize(1000);
                choices.resize(1000);
            } while (read.fetch());
        }
    }
    else
    {
        sql << "INSERT INTO attempts (id, assessment_file, assessment_fingerprint, taker, machine, started_at,"
               " saved_at, submitted_at, status, current_page, revision, score, to_review, question_count, answers)"
               " VALUES (:id, :file, :fingerprint, :taker, :machine, :started, :saved, :submitted, :status,"
               " :page, :revision, :score, :review, :count, :answers)",
            soci::use(attempt.m_id), soci::use(file), soci::use(attempt.m_assessmentFingerprint), soci::use(taker),
            soci::use(machine), soci::use(attempt.m_startedAt), soci::use(attempt.m_savedAt),
            soci::use(attempt.m_submittedAt), soci::use(status), soci::use(page), soci::use(revision),
            soci::use(score), soci::use(toReview), soci::use(count), soci::use(packed);
    }
    // New rows in one bulk statement; changed answers one update each.
    std::vector<std::string> ids, files, fingerprints, texts, chosen, correct;
    std::vector<int> positions, answerCounts, right;
    for (const SQuestionResult& question : attempt.m_questions)
    {
        const int position = int(question.m_position);
        const std::string choice = joinIndexes(question.m_chosen);
        const auto stored = storedChoices.find(position);
        if (stored != storedChoices.end())
        {
            if (stored->second != choice)
            {
                const int isRight = question.m_right ? 1 : 0;
                sql << "UPDATE attempt_questions SET chosen = :chosen, is_right = :right"
                       " WHERE attempt_id = :id AND position = :position",
                    soci::use(choice), soci::use(isRight), soci::use(attempt.m_id), soci::use(position);
            }
            storedChoices.erase(stored);
            continue;
        }
        ids.push_back(attempt.m_id);
        positions.push_back(position);
        files.push_back(encodeText(question.m_questionFile));
        fingerprints.push_back(question.m_fingerprint);
        texts.push_back(encodeText(question.m_questionText));
        answerCounts.push_back(int(question.m_numAnswers));
        chosen.push_back(choice);
        correct.push_back(joinIndexes(question.m_correct));
        right.push_back(question.m_right ? 1 : 0);
    }
    for (const auto& leftOver : storedChoices)
        sql << "DELETE FROM attempt_questions WHERE attempt_id = :id AND position = :position",
            soci::use(attempt.m_id), soci::use(leftOver.first);
    if (ids.empty())
        return;
    sql << "INSERT INTO attempt_questions (attempt_id, position, question_file, question_fingerprint,"
           " question_text, answer_count, chosen, correct, is_right)"
           " VALUES (:id, :position, :file, :fingerprint, :text, :answers, :chosen, :correct, :right)",
        soci::use(ids), soci::use(positions), soci::use(files), soci::use(fingerprints), soci::use(texts),
        soci::use(answerCounts), soci::use(chosen), soci::use(correct), soci::use(right);
}

bool CSqlResultsStore::loadAttempt(const std::string& id, CAttempt* attempt, std::string* error)
{
    std::vector<CAttempt> attempts;
    SFilter filter;
    filter.m_attemptId = id;
    try
    {
        readAttempts(filter, &attempts);
    }
    catch (const std::exception& e)
    {
        // TRANSLATORS: %s are the store's address, the attempt's id and the reason.
        *error = utf8(wxString::Format(_("The results store %s cannot read the attempt %s: %s."), shownUrl(),
                                       fromUtf8(id), reasonOf(e)));
        return false;
    }
    if (attempts.empty() || id.empty())
    {
        *error =
            // TRANSLATORS: %s are the store's address and an attempt's id.
            utf8(wxString::Format(_("The results store %s has no attempt %s."), shownUrl(), fromUtf8(id)));
        return false;
    }
    *attempt = std::move(attempts.front());
    return true;
}

bool CSqlResultsStore::listAttempts(const SFilter& filter, std::vector<CAttempt>* attempts, std::string* error)
{
    attempts->clear();
    try
    {
        readAttempts(filter, attempts);
        return true;
    }
    catch (const std::exception& e)
    {
        // TRANSLATORS: %s are the store's address and the reason.
        *error = utf8(wxString::Format(_("The results store %s cannot read its attempts: %s."), shownUrl(),
                                       reasonOf(e)));
        attempts->clear();
        return false;
    }
}

void CSqlResultsStore::readAttempts(const SFilter& filter, std::vector<CAttempt>* attempts)
{
    soci::session& sql = *m_session;
    // Both reads see the same state of the store, whatever is written meanwhile.
    soci::transaction snapshot(sql);
    if (isPostgreSql())
        sql << "SET TRANSACTION ISOLATION LEVEL REPEATABLE READ";
    const std::string where = whereClause(filter);
    const std::string order = " ORDER BY a.started_at, a.id";
    {
        std::vector<std::string> ids(kFetchRows), files(kFetchRows), fingerprints(kFetchRows), takers(kFetchRows),
            machines(kFetchRows), started(kFetchRows), saved(kFetchRows), submitted(kFetchRows),
            statuses(kFetchRows), packed(kFetchRows);
        std::vector<int> pages(kFetchRows), revisions(kFetchRows), scores(kFetchRows), toReview(kFetchRows),
            counts(kFetchRows);
        SBoundFilter values;
        soci::statement statement(sql);
        statement.exchange(soci::into(ids));
        statement.exchange(soci::into(files));
        statement.exchange(soci::into(fingerprints));
        statement.exchange(soci::into(takers));
        statement.exchange(soci::into(machines));
        statement.exchange(soci::into(started));
        statement.exchange(soci::into(saved));
        statement.exchange(soci::into(submitted));
        statement.exchange(soci::into(statuses));
        statement.exchange(soci::into(pages));
        statement.exchange(soci::into(revisions));
        statement.exchange(soci::into(scores));
        statement.exchange(soci::into(toReview));
        statement.exchange(soci::into(counts));
        statement.exchange(soci::into(packed));
        bindFilter(statement, filter, values);
        statement.alloc();
        statement.prepare("SELECT a.id, a.assessment_file, a.assessment_fingerprint, a.taker, a.machine,"
                          " a.started_at, a.saved_at, a.submitted_at, a.status, a.current_page, a.revision,"
                          " a.score, a.to_review, a.question_count, COALESCE(a.answers, '" +
                          std::string(kNoPackedAnswers) + "') FROM attempts a" + where + order);
        statement.define_and_bind();
        if (statement.execute(true))
        {
            do
            {
                for (size_t i = 0; i < ids.size(); ++i)
                {
                    CAttempt attempt;
                    attempt.m_id = ids[i];
                    attempt.m_assessmentFile = decodeText(files[i]);
                    attempt.m_assessmentFingerprint = fingerprints[i];
                    attempt.m_taker = decodeText(takers[i]);
                    attempt.m_machine = decodeText(machines[i]);
                    attempt.m_startedAt = started[i];
                    attempt.m_savedAt = saved[i];
                    attempt.m_submittedAt = submitted[i];
                    attempt.m_status = statuses[i] == kSubmitted ? CAttempt::eSubmitted : CAttempt::eInProgress;
                    attempt.m_currentPage = unsigned(pages[i]);
                    attempt.m_revision = unsigned(revisions[i]);
                    attempt.m_score = unsigned(scores[i]);
                    attempt.m_numToReview = unsigned(toReview[i]);
                    // The known version's questions come whole from one text,
                    // the caller knowing the rest of each question.
                    if (!filter.m_knownVersion.empty() && attempt.m_assessmentFingerprint == filter.m_knownVersion &&
                        packed[i] != kNoPackedAnswers)
                        unpackAnswers(packed[i], size_t(std::max(counts[i], 0)), &attempt.m_questions);
                    else
                        attempt.m_questions.reserve(size_t(std::max(counts[i], 0)));
                    attempts->push_back(std::move(attempt));
                }
                for (auto* column : {&ids, &files, &fingerprints, &takers, &machines, &started, &saved, &submitted,
                                     &statuses, &packed})
                    column->resize(kFetchRows);
                for (auto* column : {&pages, &revisions, &scores, &toReview, &counts})
                    column->resize(kFetchRows);
            } while (statement.fetch());
        }
    }
    if (std::all_of(attempts->begin(), attempts->end(), [&](const CAttempt& attempt) {
            return !attempt.m_questions.empty() && attempt.m_assessmentFingerprint == filter.m_knownVersion;
        }))
        return; // every attempt came whole (or there is none)

    std::vector<std::string> ids(kFetchRows), files(kFetchRows), fingerprints(kFetchRows), texts(kFetchRows),
        chosen(kFetchRows), correct(kFetchRows);
    std::vector<int> positions(kFetchRows), answerCounts(kFetchRows), right(kFetchRows);
    SBoundFilter values;
    soci::statement statement(sql);
    for (auto* column : {&ids, &files, &fingerprints, &texts, &chosen, &correct})
        statement.exchange(soci::into(*column));
    statement.exchange(soci::into(positions));
    statement.exchange(soci::into(answerCounts));
    statement.exchange(soci::into(right));
    bindFilter(statement, filter, values);
    std::string known = filter.m_knownVersion;
    std::string skipPacked;
    if (!known.empty())
    {
        statement.exchange(soci::use(known));
        skipPacked = " AND NOT (a.assessment_fingerprint = :known AND a.answers IS NOT NULL)";
    }
    statement.alloc();
    // No ORDER BY: a sort of every row costs more than putting each
    // attempt's questions in order afterwards, which the primary key's index
    // mostly has done already.
    // Statistics leave the texts out: they are most of the bytes read.
    const std::string text = filter.m_questionTexts ? "q.question_text" : "''";
    statement.prepare("SELECT q.attempt_id, q.question_file, q.question_fingerprint, " + text + ", q.chosen,"
                      " q.correct, q.position, q.answer_count, q.is_right"
                      " FROM attempts a JOIN attempt_questions q ON q.attempt_id = a.id" +
                      where + skipPacked);
    statement.define_and_bind();
    std::unordered_map<std::string, size_t> indexOfId;
    std::string lastId;
    size_t lastIndex = 0;
    for (size_t i = 0; i < attempts->size(); ++i)
        indexOfId.emplace((*attempts)[i].m_id, i);
    if (statement.execute(true))
    {
        do
        {
            for (size_t i = 0; i < ids.size(); ++i)
            {
                // An attempt's questions mostly come one after the other.
                if (ids[i] != lastId)
                {
                    const auto found = indexOfId.find(ids[i]);
                    if (found == indexOfId.end())
                        continue;
                    lastId = ids[i];
                    lastIndex = found->second;
                }
                CAttempt& attempt = (*attempts)[lastIndex];
                SQuestionResult question;
                question.m_position = unsigned(positions[i]);
                question.m_numAnswers = unsigned(answerCounts[i]);
                question.m_chosen = splitIndexes(chosen[i]);
                question.m_right = right[i] != 0;
                if (filter.m_knownVersion.empty() || attempt.m_assessmentFingerprint != filter.m_knownVersion)
                {
                    // Moved out: the column vectors are refilled by the next fetch.
                    question.m_questionFile = decodeText(std::move(files[i]));
                    question.m_fingerprint = std::move(fingerprints[i]);
                    question.m_questionText = decodeText(std::move(texts[i]));
                    question.m_correct = splitIndexes(correct[i]);
                }
                attempt.m_questions.push_back(std::move(question));
            }
            for (auto* column : {&ids, &files, &fingerprints, &texts, &chosen, &correct})
                column->resize(kFetchRows);
            for (auto* column : {&positions, &answerCounts, &right})
                column->resize(kFetchRows);
        } while (statement.fetch());
    }
    auto byPosition = [](const SQuestionResult& a, const SQuestionResult& b) { return a.m_position < b.m_position; };
    for (CAttempt& attempt : *attempts)
        if (!std::is_sorted(attempt.m_questions.begin(), attempt.m_questions.end(), byPosition))
            std::sort(attempt.m_questions.begin(), attempt.m_questions.end(), byPosition);
}

bool CSqlResultsStore::deleteAttempt(const std::string& id, std::string* error)
{
    try
    {
        soci::transaction transaction(*m_session);
        *m_session << "DELETE FROM attempt_questions WHERE attempt_id = :id", soci::use(id);
        *m_session << "DELETE FROM attempts WHERE id = :id", soci::use(id);
        transaction.commit();
        return true;
    }
    catch (const std::exception& e)
    {
        // TRANSLATORS: %s are the store's address, the attempt's id and the reason.
        *error = utf8(wxString::Format(_("The results store %s cannot delete the attempt %s: %s."),
                                       shownUrl(), fromUtf8(id), reasonOf(e)));
        return false;
    }
}
