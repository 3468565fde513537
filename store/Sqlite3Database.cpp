#include "store/Sqlite3Database.h"

#include <sqlite3.h>

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace tavrin {

namespace {

// Unpaired surrogates become U+FFFD on the way out.
QByteArray ToUtf8(const QString &text)
{
    QStringEncoder encoder(QStringConverter::Utf8);
    return encoder.encode(text);
}

// Malformed sequences become U+FFFD on the way in.
QString FromUtf8(const char *bytes, int count)
{
    QStringDecoder decoder(QStringConverter::Utf8);
    return decoder.decode(QByteArrayView(bytes, count));
}

QString ErrorMessage(sqlite3 *handle)
{
    const char *message = sqlite3_errmsg(handle);
    return QStringLiteral("SQLite3 error: %1").arg(FromUtf8(message, int(qstrlen(message))));
}

const QString NotConnected = QStringLiteral("SQLite3 error: database is not connected.");

} // namespace

ESQLite3Error::ESQLite3Error(const QString &message)
    : std::runtime_error(message.toStdString()), message_(message)
{
}

// ---- statement -------------------------------------------------------------

TSQLite3Statement::TSQLite3Statement(TSQLite3Database &owner, sqlite3_stmt *handle)
    : owner_(owner), handle_(handle)
{
}

TSQLite3Statement::~TSQLite3Statement()
{
    if (handle_ != nullptr) {
        owner_.Forget(this);
        sqlite3_finalize(handle_);
    }
}

int TSQLite3Statement::Step()
{
    if (handle_ == nullptr)
        return SQLITE_MISUSE;
    return sqlite3_step(handle_);
}

bool TSQLite3Statement::Next()
{
    if (handle_ == nullptr)
        throw ESQLite3Error(NotConnected);
    const int result = sqlite3_step(handle_);
    if (result == SQLITE_ROW)
        return true;
    if (result == SQLITE_DONE)
        return false;
    owner_.RaiseLastError();
}

QString TSQLite3Statement::ColumnText(int column) const
{
    if (handle_ == nullptr || column < 0 || column >= sqlite3_data_count(handle_))
        return {};
    // The text must be fetched before its byte count is valid for text form.
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(handle_, column));
    const int bytes = sqlite3_column_bytes(handle_, column);
    if (text == nullptr || bytes < 1)
        return {};
    return FromUtf8(text, bytes);
}

void TSQLite3Statement::BindText(int position, const QString &value)
{
    if (handle_ == nullptr)
        throw ESQLite3Error(NotConnected);
    const QByteArray utf8 = ToUtf8(value);
    if (sqlite3_bind_text(handle_, position, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        owner_.RaiseLastError();
}

void TSQLite3Statement::BindInt(int position, int value)
{
    if (handle_ == nullptr)
        throw ESQLite3Error(NotConnected);
    if (sqlite3_bind_int(handle_, position, value) != SQLITE_OK)
        owner_.RaiseLastError();
}

// ---- connection ------------------------------------------------------------

TSQLite3Database::~TSQLite3Database()
{
    Close();
}

void TSQLite3Database::Open(const QString &fileName)
{
    Close();
    const QByteArray name = ToUtf8(fileName);
    const int result = sqlite3_open(name.constData(), &handle_);
    if (result != SQLITE_OK) {
        if (handle_ == nullptr)
            throw ESQLite3Error(QStringLiteral("SQLite3 error: %1").arg(QString::fromUtf8(sqlite3_errstr(result))));
        RaiseLastError();
    }
}

StatementPtr TSQLite3Database::Prepare(const QString &sql)
{
    sqlite3 *handle = RequireHandle();
    const QByteArray text = ToUtf8(sql);
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(handle, text.constData(), -1, &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        RaiseLastError();
    }
    if (statement == nullptr) // an empty text compiles to nothing
        throw ESQLite3Error(QStringLiteral("SQLite3 error: not an SQL statement"));
    StatementPtr wrapped(new TSQLite3Statement(*this, statement));
    statements_.push_back(wrapped.get());
    return wrapped;
}

void TSQLite3Database::Execute(const QString &sql)
{
    sqlite3 *handle = RequireHandle();
    const QByteArray text = ToUtf8(sql);
    if (sqlite3_exec(handle, text.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        RaiseLastError();
}

void TSQLite3Database::Execute(const QString &sql, const std::vector<QString> &values)
{
    StatementPtr statement = Prepare(sql);
    for (std::size_t i = 0; i < values.size(); ++i)
        statement->BindText(int(i) + 1, values[i]);
    while (statement->Next()) {
    }
}

void TSQLite3Database::Close()
{
    if (handle_ == nullptr)
        return;
    // Newest first; the statement objects stay with their owners, emptied.
    while (!statements_.empty()) {
        TSQLite3Statement *statement = statements_.back();
        statements_.pop_back();
        sqlite3_finalize(statement->handle_);
        statement->handle_ = nullptr;
    }
    sqlite3_close(handle_);
    handle_ = nullptr;
}

void TSQLite3Database::RaiseLastError() const
{
    if (handle_ == nullptr)
        throw ESQLite3Error(NotConnected);
    throw ESQLite3Error(ErrorMessage(handle_));
}

sqlite3 *TSQLite3Database::RequireHandle() const
{
    if (handle_ == nullptr)
        throw ESQLite3Error(NotConnected);
    return handle_;
}

void TSQLite3Database::Forget(TSQLite3Statement *statement)
{
    statements_.erase(std::remove(statements_.begin(), statements_.end(), statement), statements_.end());
}

} // namespace tavrin
