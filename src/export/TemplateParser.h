#pragma once

#include "common/PackwrightError.h"
#include "export/ExportTemplate.h"

class TLanguage;

// A template that cannot be cut. Section names the first part found missing ("${GENERATOR}",
// "ListStart", "ListEnd", "ItemStart", "ItemEnd"); it is empty when the template was too
// large or too complex for the regular-expression engine, or declares an encoding that
// cannot be written.
class ETemplateError : public EPackwrightError {
public:
    ETemplateError(const QString& text, const QString& section)
        : EPackwrightError(text), FSection(section) {}
    const QString& Section() const { return FSection; }

private:
    QString FSection;
};

// Cuts template text into its parts; the snippets a template leaves out take their texts
// from the language. Throws ETemplateError with the language's message.
ExportTemplate ParseTemplate(const QString& text, const TLanguage& language);
