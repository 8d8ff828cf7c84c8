// Placeholder translation unit for a library folder that has no classes yet.
