// The one source of the libraries that host the precompiled headers.
