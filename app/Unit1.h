// Module Unit1, the main search window: the window (TForm1) and the query builder it runs.
#pragma once

#include "app/main_window.h"
#include "app/query_builder.h"
#include "app/search_lists.h"
