// Node's own fetch cannot read a local path, and the loader prefers fetch when it exists; without
// it the loader reads the .wasm file from disk.
if (typeof process === 'object' && typeof globalThis.fetch === 'function') globalThis.fetch = undefined;
