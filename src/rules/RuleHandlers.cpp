#include "rules/RuleHandlers.h"

#include "app/Form1.h"

RuleHandlers::RuleHandlers(Form1& form) : m_form(form) {}
