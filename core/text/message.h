#pragma once

#include <QString>

namespace brevix {

enum class Language { Chinese, English };

// A text shown to the user, held in both interface languages and chosen at the moment of use.
struct Message
{
    QString zh;
    QString en;

    QString text(Language language) const { return language == Language::Chinese ? zh : en; }
    bool isEmpty() const { return zh.isEmpty() && en.isEmpty(); }
    static Message same(const QString &text) { return {text, text}; }
};

// The outcome of an operation that can fail: success, or a message in both languages.
class Result
{
public:
    Result() = default;
    static Result success() { return {}; }
    static Result failure(Message message);
    static Result failure(const QString &zh, const QString &en);

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const Message &message() const { return m_message; }

private:
    bool m_ok = true;
    Message m_message;
};

// Title of every message box of the editor (with its trailing blank).
inline const QString kBuilderTitle = QStringLiteral("Brevix ");

} // namespace brevix
