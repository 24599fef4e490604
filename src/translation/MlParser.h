#pragma once
// The small tokenizer for the comma- and blank-separated texts of the dictionary data, and
// the "#" escapes the dictionary stores its texts with.

#include <QString>

// "##" is one "#", "#C" a carriage return, "#L" a line feed, "#T" a tab; "#" before any other
// character, or at the end, stays as it is.
QString Unescape(const QString& text);
// The reverse, for the tool that writes the data: "#", CR, LF and tab escaped.
QString Escape(const QString& text);

class TMlStringParser {
public:
    // Separator mode splits at `separator`; whitespace mode splits at blanks and tabs.
    TMlStringParser(const QString& text, QChar separator, bool whitespace = false, bool unescape = false);

    bool AtEnd() const { return pos_ >= text_.size(); }
    // The characters up to the next stop (empty when two stops meet); moves past the stop.
    QString NextToken();
    // The next token as a decimal number; 0 when it is not one.
    int NextInteger();

private:
    bool IsStop(QChar c) const;

    QString text_;
    qsizetype pos_ = 0;
    QChar separator_;
    bool whitespace_;
    bool unescape_;
};
