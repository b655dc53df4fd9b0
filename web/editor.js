// The page around the board editor: it opens the board, runs the editor
// on it, and once the editor saves, downloads the board and offers it again
// and as a link to the game page that carries the board itself. At every
// change it keeps the board in the browser's storage as a draft, which the
// page reopens, unsaved, until the player saves or discards it.
// window.editor tells scripts where the editor is; .gravado holds the last
// saved bytes.
'use strict';
window.editor = situacao;
const PASTA = '/tabuleiros';    // where the board file lives, in the page's file system
const NOME_PADRAO = 'tabuleiro.map';
const TECLAS_DO_EDITOR = new Set(['Escape', 'KeyS']); // Ctrl+S saves the board, not the page
const RASCUNHO = 'tabuleiro2-editor.rascunho'; // the draft's key in the browser's storage
let nome = NOME_PADRAO; // the board file's name
let aberto = null;      // its bytes when opened; null for a new board
let visto;              // the board file as last seen: inode and time
let alterado = false;   // the title says there are unsaved changes
let restaurado = false; // the board is a draft reopened and not saved since
let guardado;           // the draft as last kept (null: none), as text
let sem_rascunho = false; // the browser keeps no draft: the page said so

// A file name safe to give the editor: the last part of a path or URL.
function nome_seguro(caminho) {
  let ultima = caminho.split(/[/\\]/).pop();
  try { ultima = decodeURIComponent(ultima); } catch (e) { /* kept as it is */ }
  return /^[^\x00-\x1f/\\]{1,100}$/.test(ultima) && ultima !== '.' && ultima !== '..' ? ultima : NOME_PADRAO;
}

// Shows frase in element id, and the element's box.
function mostrar(id, frase) {
  const elemento = document.getElementById(id);
  elemento.textContent = frase;
  elemento.parentElement.hidden = false;
}

// Says, once, that changes are kept only until the page closes.
function avisar_sem_rascunho() {
  sem_rascunho = true;
  document.getElementById('memoria').hidden = false;
}

// The browser's storage; throws where it is denied.
function armazenamento() {
  return window.localStorage;
}

// Keeps rascunho as the draft, or ends the draft for null.
function guardar(rascunho) {
  const novo = rascunho && JSON.stringify(rascunho);
  if (novo === guardado) return;
  guardado = novo;
  try {
    if (novo) armazenamento().setItem(RASCUNHO, novo);
    else armazenamento().removeItem(RASCUNHO);
  } catch (e) {
    if (!sem_rascunho) avisar_sem_rascunho();
  }
}

// The draft kept, {nome, celulas}; null when there is none that is sound.
function ler_rascunho() {
  try {
    const r = JSON.parse(armazenamento().getItem(RASCUNHO));
    if (r && UM_TABULEIRO.test(r.celulas)) return { nome: nome_seguro(String(r.nome)), celulas: r.celulas };
  } catch (e) {
    if (!sem_rascunho) avisar_sem_rascunho();
  }
  return null;
}

// The editor's board now, its cells row by row.
function celulas() {
  const p = programa._web_celulas();
  return new TextDecoder('latin1').decode(programa.HEAPU8.subarray(p, p + CELULAS));
}

// After a save: the board downloaded under its own name and offered again,
// the game page's link with its cells; the draft ends.
function oferecer(bytes) {
  situacao.gravado = bytes;
  const baixar = document.getElementById('baixar');
  if (baixar.href) URL.revokeObjectURL(baixar.href);
  baixar.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
  baixar.download = nome;
  baixar.textContent = texto('baixar', nome);
  const linha = new TextDecoder('latin1').decode(bytes).replace(/\n/g, '');
  document.getElementById('jogar').href = 'index.html?celulas=' + linha;
  document.getElementById('gravado').hidden = false;
  baixar.click();
  marcar_restaurado(false);
  guardar(null);
}

// Each time the editor shows a frame: has a save replaced the board file?
// Otherwise, unsaved changes are kept as the draft.
function olhar_arquivo() {
  let marca = null;
  try {
    const estado = programa.FS.stat(nome);
    marca = estado.ino + ':' + estado.mtime.getTime();
  } catch (e) { /* no board file yet */ }
  const gravou = visto !== undefined && marca !== visto && marca !== null;
  visto = marca;
  if (gravou) oferecer(programa.FS.readFile(nome));
  else if (alterado || restaurado) guardar({ nome: nome, celulas: celulas() });
}

// What the editor's checker says of the board file opened, beside the canvas.
// A check that ends after another board was opened shows nothing.
let verificacoes = 0;
async function verificar(bytes) {
  const vez = ++verificacoes;
  const [saida, impresso] = await consultar(criar_editor, ['--verificar', '--', nome], PASTA, { [nome]: bytes });
  if (vez !== verificacoes) return;
  mostrar('veredito', saida === 0 ? texto('lido', nome) : saida === 1 ? texto('nao_lido', nome) : nome + ':');
  document.getElementById('achados').textContent = impresso;
}

// The line that says the board is a restored draft, not saved, shown or not.
function marcar_restaurado(sim) {
  restaurado = sim;
  document.getElementById('restaurado').textContent = texto('restaurado', nome);
  document.getElementById('rascunho').hidden = !sim;
}

// Runs the editor on the board bytes (null: a new board) named arquivo;
// any draft ends, unless this board is the draft restored, which the editor
// opens as unsaved (--rascunho).
function editar(arquivo, bytes, rascunho = false) {
  nome = arquivo;
  aberto = bytes;
  visto = undefined;
  alterado = false;
  marcar_restaurado(rascunho);
  if (!rascunho) guardar(null);
  situacao.gravado = undefined;
  for (const id of ['fim', 'gravado', 'verificacao']) document.getElementById(id).hidden = true;
  document.getElementById('achados').textContent = '';
  verificacoes++;
  if (bytes) verificar(bytes);
  rodar(criar_editor, {
    ativo: 'editando',
    pasta: PASTA,
    argumentos: rascunho ? ['--rascunho', '--', nome] : ['--', nome], // a name may start with '-'
    arquivos: { [nome]: bytes },
    quadro: olhar_arquivo,
    titulo: (t) => {
      document.getElementById('titulo').textContent = t;
      anunciar(t);
      alterado = t.startsWith(nome + '*');
    },
    fim: (saida) => texto('terminou', saida),
    terminar: () => { alterado = false; },
  });
}

// The draft kept, edited again; 0 if there is none.
function restaurar() {
  const r = ler_rascunho();
  if (r) editar(r.nome, tabuleiro_das_celulas(r.celulas), true);
  return r ? 1 : 0;
}

// Another board replaces this one, if unsaved changes may go.
function abrir(arquivo, bytes) {
  if (!(alterado || restaurado) || confirm(texto('descartar_mudancas', nome)))
    editar(nome_seguro(arquivo), bytes);
}

// The board of ?tabuleiro=URL, or a new one; one that cannot be fetched
// is said so, and edited as new under its name.
async function abrir_da_pagina() {
  const url = new URLSearchParams(location.search).get('tabuleiro');
  if (url === null) return editar(NOME_PADRAO, null);
  const bytes = await buscar(url);
  editar(nome_seguro(url.split(/[?#]/)[0]), bytes);
  if (!bytes) mostrar('veredito', texto('sem_arquivo', url));
}

quando_mostrada(() => {
  traduzir();
  ouvir_teclado(TECLAS_DO_EDITOR);
  ouvir_ponteiro();
  ouvir_botoes(document.querySelectorAll('#ferramentas [data-tecla]'));
  ouvir_arquivos(abrir);
  ouvir_tela_cheia(document.getElementById('tela_cheia'), document.getElementById('palco'));
  document.getElementById('de_novo').addEventListener('click', () => restaurar() || editar(nome, situacao.gravado || aberto));
  document.getElementById('descartar').addEventListener('click', abrir_da_pagina);
});
// With no draft kept, leaving asks first, as it always did.
window.addEventListener('beforeunload', (e) => { if (alterado && sem_rascunho) e.preventDefault(); });
if (!restaurar()) abrir_da_pagina();
