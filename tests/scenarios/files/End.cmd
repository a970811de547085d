rem the end command
