// The secure mail access component starts here.
