// The object of the tests' shared precompiled header; it holds nothing.
