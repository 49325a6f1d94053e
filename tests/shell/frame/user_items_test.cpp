// Placeholder: filled in by its owner.
#include <gtest/gtest.h>
