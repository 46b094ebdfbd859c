#pragma once

extern const char* const kHilfetext;
extern const char* const kInfotext;
