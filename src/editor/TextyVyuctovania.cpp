// Work in progress (textytab).
