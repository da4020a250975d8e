#pragma once

#include <QTranslator>

#include <memory>

// The pseudo-language: every English text about 40 % longer, its letters
// accented and the whole in brackets ("[Ðöŵñļöàð ~~]"). A screenshot in it
// shows at a glance a text that is clipped (no closing bracket), hard-coded
// (no accents) or built from pieces (several brackets).
class PseudoTranslator : public QTranslator
{
public:
    explicit PseudoTranslator(std::unique_ptr<QTranslator> english);

    QString translate(const char *context, const char *sourceText,
                      const char *disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override;

    // Placeholders (%1, %n, %L1), HTML tags, entities and the & of a
    // mnemonic stay as they are, so the text still works where it is used.
    static QString decorate(const QString &text);

private:
    std::unique_ptr<QTranslator> m_english;
};
