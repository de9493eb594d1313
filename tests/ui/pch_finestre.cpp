// The translation unit that carries the window tests' precompiled Qt headers.
