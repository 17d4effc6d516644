/* The program's version: one place for the version resource and the About box. */
#pragma once

#define PW_VERSION_MAJOR 1
#define PW_VERSION_MINOR 0
#define PW_VERSION_PATCH 0
#define PW_VERSION_TEXT "1.0.0"
