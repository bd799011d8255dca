// Placeholder translation unit until the stages land.
