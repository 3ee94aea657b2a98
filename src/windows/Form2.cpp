#include "windows/Form2.h"

#include "app/Module1.h"

Form2::Form2(Module1 &module) : m(module)
{
    setWindowTitle(QStringLiteral("The Feastbook"));
    resize(470, 535);
}
