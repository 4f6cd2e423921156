#include "practice/Answer.h"
