# none yet
