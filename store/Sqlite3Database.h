#pragma once

// Thin access layer over SQLite's C API: one connection, the statements
// prepared on it, and the one error type the layer raises.

#include <QString>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace tavrin {

// Every failure of the store layer. The message is complete and ready
// for the error box ("SQLite3 error: ...").
class ESQLite3Error : public std::runtime_error {
public:
    explicit ESQLite3Error(const QString &message);
    QString Message() const { return message_; }

private:
    QString message_;
};

class TSQLite3Database;

// One compiled statement. Values are bound by position (1-based, as SQLite
// counts) before the first Step. Destroying it leaves the connection's list
// and finalizes the handle.
class TSQLite3Statement {
public:
    ~TSQLite3Statement();
    TSQLite3Statement(const TSQLite3Statement &) = delete;
    TSQLite3Statement &operator=(const TSQLite3Statement &) = delete;

    // The raw result of sqlite3_step; never raises.
    int Step();

    // Steps once and reports whether a row came back. SQLITE_DONE gives
    // false; any other result raises ESQLite3Error with SQLite's message.
    bool Next();

    // Column text of the current row: NULL, empty, out-of-range and
    // not-on-a-row all read as the empty text. Malformed UTF-8 becomes U+FFFD.
    QString ColumnText(int column) const;

    void BindText(int position, const QString &value);
    void BindInt(int position, int value);

    sqlite3_stmt *Handle() const { return handle_; }

private:
    friend class TSQLite3Database;
    TSQLite3Statement(TSQLite3Database &owner, sqlite3_stmt *handle);

    TSQLite3Database &owner_;
    sqlite3_stmt *handle_;
};

using StatementPtr = std::unique_ptr<TSQLite3Statement>;

class TSQLite3Database {
public:
    TSQLite3Database() = default;
    ~TSQLite3Database();
    TSQLite3Database(const TSQLite3Database &) = delete;
    TSQLite3Database &operator=(const TSQLite3Database &) = delete;

    void Open(const QString &fileName);
    StatementPtr Prepare(const QString &sql);
    void Execute(const QString &sql);
    // Runs one statement with bound text values (positions 1..n).
    void Execute(const QString &sql, const std::vector<QString> &values);
    void Close();

    bool Connected() const { return handle_ != nullptr; }
    // Statements prepared and not yet destroyed, oldest first.
    const std::vector<TSQLite3Statement *> &Statements() const { return statements_; }

    [[noreturn]] void RaiseLastError() const;

private:
    friend class TSQLite3Statement;
    void Forget(TSQLite3Statement *statement);
    sqlite3 *RequireHandle() const;

    sqlite3 *handle_ = nullptr;
    std::vector<TSQLite3Statement *> statements_;
};

} // namespace tavrin
